// The main window's result charts, price line, scope buttons and layout.
#include "app/tform1.h"
#include "app/tillstand.h"
#include "food/tformnvval.h"
#include "meal/maltidsgrid.h"
#include "meal/matbild.h"
#include "results/diagram.h"
#include "results/omrakna.h"
#include "results/stapeldiagram.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>

void TForm1::kopplaResultat() {
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { SpeedButtonNivaClick(0); });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { SpeedButtonNivaClick(1); });
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { SpeedButtonNivaClick(2); });
    connect(SpinButton1, &Sidknapp::upp, ChartStapel, &Stapeldiagram::forraSida);
    connect(SpinButton1, &Sidknapp::ner, ChartStapel, &Stapeldiagram::nastaSida);
    Tformnvval::AnpassaSidor() = [this] { AnpassaSidor(); };
    klient->installEventFilter(this);
    ChartEnergi->installEventFilter(this);
}

void TForm1::DiagramRubrik() {
    QString maltid;
    QToolButton* knappar[4] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
    for (QToolButton* k : knappar)
        if (k->isChecked()) maltid = k->text();
    ChartStapel->setRubrik(DiagramRubrikText(G.AktuellNiva, maltid, ComboBox1->currentText()));
}

void TForm1::RitaDiagram() {
    ChartStapel->visa(BeraknaStaplar(G));
    ChartEnergi->visa(VerkligTart(G));
    ChartEnergiRek->visa(IdealTart(G));
    const QString pris = PrisText(G, ComboBox1->currentText());
    if (EditPris->text() != pris) EditPris->setText(pris);
}

void TForm1::AnpassaSidor() {
    const int n = StaplarPerSida(ChartStapel->height(), G.NvValAntal);
    ChartStapel->setPerSida(n);
    SpinButton1->setVisible(n < G.NvValAntal);
}

void TForm1::SpeedButton5Click() {
    SpeedButton5->setChecked(true);
    SpeedButton6->setChecked(false);
    ChartEnergi->hide();
    ChartEnergiRek->hide();
    ChartStapel->show();
    SpinButton1->show();
}

void TForm1::SpeedButton6Click() {
    SpeedButton6->setChecked(true);
    SpeedButton5->setChecked(false);
    ChartEnergi->show();
    ChartEnergiRek->show();
    ChartStapel->hide();
    SpinButton1->hide();
}

void TForm1::SpeedButtonNivaClick(int niva) {
    QToolButton* nivaknappar[3] = {SpeedButton9, SpeedButton10, SpeedButton11};
    for (int i = 0; i < 3; ++i) nivaknappar[i]->setChecked(i == niva);
    G.AktuellNiva = niva;
    // In "Dag" the meal buttons are the legend of the day bars.
    static const char* const dagfarger[4] = {"blue", "red", "green", "fuchsia"};
    QToolButton* maltider[4] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
    for (int m = 0; m < 4; ++m)
        maltider[m]->setStyleSheet(
            niva == 1 ? QStringLiteral("color: %1").arg(QLatin1String(dagfarger[m])) : QString());
    Omrakna();
    VisaMaltid();
}

void TForm1::foljAnkare() {
    // Offsets from the design size of the client area, 829 x 554.
    const int dx = klient->width() - 829;
    const int dy = klient->height() - 554;
    auto hoger = [dx](QWidget* w, int x, int y) { w->move(x + dx, y); };
    ListBoxLivs->resize(354 + dx, 249);
    hoger(Button3, 720, 224);
    hoger(Button2, 729, 256);
    hoger(Button7, 609, 288);
    hoger(Button8, 729, 288);
    hoger(Image1, 609, 312);
    hoger(Label8, 624, 512);
    const QPoint rutor[7] = {{632, 432}, {678, 448}, {742, 432}, {744, 384},
                             {616, 384}, {704, 332}, {656, 324}};
    // The regions follow the picture, Label5 included, so that they stay over it.
    QWidget* rutorW[7] = {Label1, Label2, Label3, Label4, Label5, Label6, Label7};
    for (int i = 0; i < 7; ++i) hoger(rutorW[i], rutor[i].x(), rutor[i].y());
    SpinButton1->move(587 + dx, 496 + dy);
    ChartStapel->resize(576 + dx, 229 + dy);
    ChartEnergi->resize(280 + dx, 229 + dy);
    ChartEnergiRek->resize(282, 229 + dy);
}

bool TForm1::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Resize) {
        if (o == klient) {
            foljAnkare();
            AnpassaSidor();
        } else if (o == ChartEnergi) {
            ChartEnergiRek->move(ChartEnergi->geometry().right() + 1 + 8, ChartEnergiRek->y());
        }
    }
    return QMainWindow::eventFilter(o, e);
}
