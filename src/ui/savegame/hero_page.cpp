#include "ui/savegame/hero_page.h"

#include "core/savegame/hero_state.h"
#include "ui/savegame/goal_map_frame.h"
#include "ui/savegame/page_controls.h"
#include "ui/savegame/slider_scale.h"
#include "ui/savegame/spinner_field.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace tav {

HeroPage::HeroPage(const GameFolder &folder, HeroState &hero, QWidget *parent)
    : QWidget(parent)
    , m_hero(hero)
{
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(positionFrame());
    left->addWidget(healthFrame());
    left->addWidget(moneyFrame());
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    m_goalMapFrame = new GoalMapFrame(folder, this);
    right->addWidget(m_goalMapFrame);
    right->addWidget(optionsFrame());
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    showState();
}

QWidget *HeroPage::positionFrame()
{
    QGroupBox *box = frame(QStringLiteral("Hero's pixel position"), this);
    auto *grid = new QGridLayout(box);
    m_heroX = new SpinnerField(box, QStringLiteral("Text2"), QStringLiteral("HeroX"), HeroState::kMaxPixel,
                               [this](int v) { m_hero.setHeroX(v); });
    m_heroY = new SpinnerField(box, QStringLiteral("Text3"), QStringLiteral("HeroY"), HeroState::kMaxPixel,
                               [this](int v) { m_hero.setHeroY(v); });
    int row = 0;
    for (auto [caption, field] : {std::pair{"HeroX=", m_heroX}, std::pair{"HeroY=", m_heroY}}) {
        grid->addWidget(plainLabel(QString::fromLatin1(caption), box), row, 0);
        QHBoxLayout *pair = field->makeRow();
        pair->addStretch(1);
        grid->addLayout(pair, row++, 1);
    }
    grid->addWidget(plainLabel(QStringLiteral("Direction:"), box), row, 0);
    m_direction = namedSlider(QStringLiteral("Direction"), 0, HeroState::kMaxDirection, box);
    // Room for each of the four words under its tick.
    m_direction->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("right")) * 5);
    auto *scale = new SliderScale(QStringLiteral(" up    right down  left"), m_direction, box);
    grid->addWidget(m_direction, row++, 1, Qt::AlignLeft);
    grid->addWidget(scale, row, 1, Qt::AlignLeft);
    connect(m_direction, &QSlider::valueChanged, this, [this](int v) { m_hero.setDirection(v); });
    return box;
}

QWidget *HeroPage::healthFrame()
{
    QGroupBox *box = frame(QStringLiteral("Hero's health"), this);
    auto *grid = new QGridLayout(box);
    grid->addWidget(plainLabel(QStringLiteral("Heart containers / Hearts:"), box), 0, 0, 1, 3);
    m_containers = namedSlider(QStringLiteral("Containers"), 0, HeroState::kMaxHearts, box);
    m_hearts = namedSlider(QStringLiteral("Hearts"), 0, HeroState::kMaxHearts, box);
    m_containersValue = plainLabel(QString(), box);
    m_heartsValue = plainLabel(QString(), box);
    grid->addWidget(plainLabel(QStringLiteral("containers"), box), 1, 0);
    grid->addWidget(m_containers, 1, 1);
    grid->addWidget(m_containersValue, 1, 2);
    grid->addWidget(plainLabel(QStringLiteral("hearts"), box), 2, 0);
    grid->addWidget(m_hearts, 2, 1);
    grid->addWidget(m_heartsValue, 2, 2);
    auto *note = plainLabel(QStringLiteral("Note: Half hearts will be extended to full hearts!"), box);
    note->setWordWrap(true);
    grid->addWidget(note, 3, 0, 1, 3);
    connect(m_containers, &QSlider::valueChanged, this, [this](int v) {
        m_hero.setContainers(v);
        showState();
    });
    connect(m_hearts, &QSlider::valueChanged, this, [this](int v) {
        m_hero.setHearts(v);
        showState();
    });
    return box;
}

QWidget *HeroPage::moneyFrame()
{
    QGroupBox *box = frame(QStringLiteral("Money"), this);
    auto *layout = new QHBoxLayout(box);
    m_gold = new SpinnerField(box, QStringLiteral("Text4"), QStringLiteral("Gold"), HeroState::kMaxGold,
                              [this](int v) { m_hero.setGold(v); });
    QHBoxLayout *row = m_gold->makeRow();
    layout->addLayout(row);
    row->addSpacing(6);
    row->addWidget(plainLabel(QStringLiteral("gold"), box));
    row->addStretch(1);
    return box;
}

QWidget *HeroPage::optionsFrame()
{
    QGroupBox *box = frame(QStringLiteral("in-game-options"), this);
    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    for (int i = 0; i < HeroState::kOptions; ++i) {
        m_options[i] = new QCheckBox(HeroState::optionCaptions()[i], box);
        m_options[i]->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        layout->addWidget(m_options[i]);
        connect(m_options[i], &QCheckBox::toggled, this, [this, i](bool on) { m_hero.setOption(i, on); });
    }
    return box;
}

void HeroPage::showState()
{
    m_heroX->show(m_hero.heroX());
    m_heroY->show(m_hero.heroY());
    m_gold->show(m_hero.gold());
    const QSignalBlocker b1(m_direction), b2(m_containers), b3(m_hearts);
    m_direction->setValue(m_hero.direction());
    m_containers->setValue(m_hero.containers());
    m_hearts->setValue(m_hero.hearts());
    m_containersValue->setText(QString::number(m_hero.containers()));
    m_heartsValue->setText(QString::number(m_hero.hearts()));
    for (int i = 0; i < HeroState::kOptions; ++i) {
        const QSignalBlocker block(m_options[i]);
        m_options[i]->setChecked(m_hero.option(i));
    }
}

} // namespace tav
