#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>

class QSvgRenderer;

namespace vantrel {

// A label that reports a left-button click released over it.
class LinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit LinkLabel(QWidget* parent);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture drawn scaled into the control's whole area, from a vector image so that it stays
// sharp on every screen; it reports a left-button click released over it.
class PictureBox : public QWidget {
    Q_OBJECT

  public:
    PictureBox(QWidget* parent, const QString& path);
    ~PictureBox() override;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::unique_ptr<QSvgRenderer> m_picture;
};

}  // namespace vantrel
