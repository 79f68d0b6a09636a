#include "commands/qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vantrel {

std::optional<std::string> QtClipboard::Text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

void QtClipboard::SetText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

void QtClipboard::SetImage(const QImage& image) {
    if (!image.isNull()) {
        QGuiApplication::clipboard()->setImage(image);
    }
}

}  // namespace vantrel
