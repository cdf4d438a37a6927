#include "app/start.h"
#include "app/tform1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TForm1* f = Starta();
    if (!f) return 1;
    f->show();
    return QApplication::exec();
}
