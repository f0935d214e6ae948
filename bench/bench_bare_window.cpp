// The yardstick for start-up time: a bare Qt window. It quits as soon as it
// has been shown, unless given --stay (bench/startup.sh watches it from outside).
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

class BareWindow : public QWidget
{
public:
    explicit BareWindow(bool stay, QWidget *parent = nullptr)
        : QWidget(parent)
        , m_stay(stay)
    {
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        if (!m_stay)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    bool m_stay;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool stay = argc > 1 && std::strcmp(argv[1], "--stay") == 0;
    BareWindow window(stay);
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.resize(369, 528);
    window.show();
    return QApplication::exec();
}
