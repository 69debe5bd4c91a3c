#include "ui/savegame/goal_map_frame.h"

#include "ui/savegame/up_down_spinner.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace tav {
namespace {

QPixmap circle(QColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(colour);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    return pixmap;
}

QLabel *namedLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

} // namespace

GoalMapFrame::GoalMapFrame(const GameFolder &folder, QWidget *parent)
    : QGroupBox(QStringLiteral("Current MAP and goal"), parent)
    , m_folder(folder)
    , m_mapDir(QStringLiteral("GAMEDATA\\MAPS"))
{
    setObjectName(QStringLiteral("GoalMapFrame"));
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);

    grid->addWidget(namedLabel(QStringLiteral("Current MAP:"), QString(), this), 0, 0);
    auto *mapRow = new QHBoxLayout;
    mapRow->addWidget(addNumberBox(QStringLiteral("MAPX"), QStringLiteral("12")));
    mapRow->addWidget(addNumberBox(QStringLiteral("MAPY"), QStringLiteral("8")));
    mapRow->addWidget(addNumberBox(QStringLiteral("MAPZ"), QStringLiteral("1")));
    m_found = namedLabel(QString(), QStringLiteral("Found"), this);
    m_found->setPixmap(circle(QColor(255, 0, 0)));
    mapRow->addWidget(m_found);
    auto *image6 = namedLabel(QStringLiteral("?"), QStringLiteral("Image6"), this);
    image6->setToolTip(QStringLiteral(
        "This circle appears green when the specified MAP exists in the current SaveGame (selected above)."));
    mapRow->addWidget(image6);
    mapRow->addStretch(1);
    grid->addLayout(mapRow, 0, 1);

    grid->addWidget(namedLabel(QStringLiteral("Priority #:"), QString(), this), 1, 0);
    auto *goalRow = new QHBoxLayout;
    QLineEdit *goalNr = addNumberBox(QStringLiteral("GOALNr"), QStringLiteral("0"));
    goalRow->addWidget(goalNr);
    auto *upDown = new UpDownSpinner(this);
    upDown->setObjectName(QStringLiteral("UpDown"));
    upDown->setBuddy(goalNr);
    goalRow->addWidget(upDown);
    goalRow->addSpacing(8);
    goalRow->addWidget(namedLabel(QStringLiteral("at"), QString(), this));
    goalRow->addWidget(addNumberBox(QStringLiteral("GOALX"), QStringLiteral("12")));
    goalRow->addWidget(addNumberBox(QStringLiteral("GOALY"), QStringLiteral("8")));
    goalRow->addStretch(1);
    grid->addLayout(goalRow, 1, 1);

    grid->addWidget(namedLabel(QStringLiteral("Goal:"), QString(), this), 2, 0);
    auto *goal = new QLineEdit(this);
    goal->setObjectName(QStringLiteral("Goal"));
    goal->setReadOnly(true);
    grid->addWidget(goal, 2, 1);

    const char *captions[] = {"uncover automap", "re-set automap from DEF", "re-set current MAP from DEF",
                              "re-set all MAPs from DEF"};
    auto *buttons = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(captions[i]), this);
        button->setObjectName(QStringLiteral("Command%1").arg(4 + i));
        button->setEnabled(false);
        buttons->addWidget(button, i / 2, i % 2);
    }
    grid->addLayout(buttons, 3, 0, 1, 2);
}

QLineEdit *GoalMapFrame::addNumberBox(const QString &name, const QString &designText)
{
    auto *box = new QLineEdit(designText, this);
    box->setObjectName(name);
    box->setFixedWidth(34);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void GoalMapFrame::setMapDir(const QString &gameFolderPathOfDataSet)
{
    m_mapDir = gameFolderPathOfDataSet;
}

void GoalMapFrame::Finder()
{
}

} // namespace tav
