// The floor for the start-up benchmark: a bare Qt program that shows N frameless windows of a
// note's default size, each holding one text box, and nothing else; laid out five to a row like
// the benchmark's notes, so that none covers another.
#include <QApplication>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;
    for (int i = 0; i < count; ++i) {
        auto* w = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
        w->setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(w);
        auto* edit = new QTextEdit(w);
        edit->setPlainText(QStringLiteral("Note %1").arg(i + 1));
        layout->addWidget(edit);
        w->setGeometry((i % 5) * 223, (i / 5) * 191, 223, 191);
        w->show();
    }
    return app.exec();
}
