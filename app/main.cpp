#include "app/orvane_app.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvane::COrvaneApp app;
    app.InitInstance();
    return 0;
}
