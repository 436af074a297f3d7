// The yardstick of the window start-up benchmark: a bare Qt window holding a tab widget with five
// empty tabs. Started by window_bench; it writes the nanoseconds from the launch time it is given
// (argv[1], steady clock) to its first idle event loop on stdout, then quits.

#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const long long launched = std::atoll(argv[1]);
    QApplication app(argc, argv);
    QTabWidget window;
    for (int i = 0; i < 5; ++i)
        window.addTab(new QWidget, QStringLiteral("Tab %1").arg(i + 1));
    window.resize(775, 610);
    window.show();
    QTimer::singleShot(0, &app, [&] {
        std::printf("%lld\n", std::chrono::steady_clock::now().time_since_epoch().count() - launched);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
