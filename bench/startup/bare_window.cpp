// The floor for start-up: a bare Qt window of the calculator's title and size with a keypad of
// plain buttons, nothing read, drawn or asked of any service. measure_speed.py launches it
// between launches of the calculator.
#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QWidget>

namespace {

constexpr int kRows = 6;
constexpr int kColumns = 5;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vantrel Calculator"));
    auto* grid = new QGridLayout(&window);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            grid->addWidget(new QPushButton(QString::number(row * kColumns + column)), row, column);
        }
    }
    window.show();
    return app.exec();
}
