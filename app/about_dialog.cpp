#include "app/about_dialog.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <cstdio>

#include "library/dialog_units.h"
#include "model/game_state.h"

namespace {

const char kVersion[] = "1.3";
const char kAboutLine2[] = "A tangram puzzle game";
const char kAboutLine3[] = "Seven pieces, one silhouette";

QLabel* CentredLine(QDialog* d, const DialogBaseUnits& units, const QString& text, int y,
                    const char* name) {
    auto* label = new QLabel(text, d);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    PlaceControl(label, units, 7, y, 137, 11);
    return label;
}

}  // namespace

const char* AboutVersionLine(const GameState* state, char* buf, int size) {
    std::snprintf(buf, size, "%s version %s", state->title, kVersion);
    return buf;
}

int AboutDialog(QWidget* parent, const GameState* state) {
    QDialog d(parent);
    d.setWindowTitle("About");
    const DialogBaseUnits units = SetUpDialog(&d, 210, 102);
    auto* ok = new QPushButton("OK", &d);
    ok->setObjectName("okButton");
    ok->setDefault(true);
    PlaceControl(ok, units, 153, 7, 50, 14);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    auto* picture = new QLabel(&d);
    picture->setObjectName("aboutPicture");
    const QRect area = DialogRect(units, 7, 7, 137, 39);
    picture->setGeometry(area);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QPixmap(":/images/about.png")
                           .scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    char line[kNameSize + 32];
    CentredLine(&d, units, AboutVersionLine(state, line, sizeof line), 52, "aboutLine1");
    CentredLine(&d, units, kAboutLine2, 68, "aboutLine2");
    CentredLine(&d, units, kAboutLine3, 84, "aboutLine3");
    return d.exec() == QDialog::Accepted ? 1 : 2;
}
