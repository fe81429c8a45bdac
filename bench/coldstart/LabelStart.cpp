// The least a Qt program does to show a capture: a QLabel with the picture, for the
// cold-start comparison with the editor. Usage: kestrel_coldstart_label <capture.png>
#include "FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication application(argc, argv);
    QLabel label;
    label.setPixmap(QPixmap(QCoreApplication::arguments().value(1)));
    FirstPaint firstPaint(sinceMain, &label, [] { return true; });
    label.show();
    return application.exec();
}
