// Larkspoon, the desktop program.
#include <QApplication>

#include "shell/application.h"

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    return lk::runApplication();
}
