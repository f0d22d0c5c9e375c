#include "app/first_paint.h"
#include "app/principale.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QApplication qtApplication(argc, argv);
    brindolo::TApplication application;
    application.setTitle(QStringLiteral("Brindolo 1.0"));
    auto window = std::make_unique<brindolo::TPrincipale>(&application);
    brindolo::QuitAfterFirstPaint::watch(*window);
    window->showMaximized();

    // For packaging checks: prove the window comes up on the shipped data,
    // then leave at once.
    if (qEnvironmentVariable("BRINDOLO_REPORT_AND_QUIT") == QLatin1String("1")) {
        std::printf("catalogue: %d\n", window->catalogue().count());
        std::fflush(stdout);
        QTimer::singleShot(0, &qtApplication, &QCoreApplication::quit);
    }
    qtApplication.exec();
    return 0;
}
