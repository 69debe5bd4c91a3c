#include "ui/platform/please_wait.h"

#include "ui/common/artwork.h"
#include "ui/common/twips.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

namespace tav::platform {
namespace {

QPointer<Form5> g_box;
int g_timesShown = 0;

} // namespace

Form5::Form5(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(sizeTw(1890, 690));
    setAutoFillBackground(true);
    auto *label = new QLabel(QStringLiteral("Please wait..."), this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    addLogo(this, px(90), px(105), px(480));
    label->setGeometry(px(660), 0, px(1890 - 660), px(690));
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
}

PleaseWait::PleaseWait(QWidget *caller, bool processEventsOnce)
    : m_caller(caller)
{
    if (m_caller)
        m_caller->setEnabled(false);
    if (!g_box)
        g_box = new Form5();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        g_box->move(area.center() - QPoint(g_box->width() / 2, g_box->height() / 2));
    }
    g_box->show();
    g_box->raise();
    ++g_timesShown;
    if (processEventsOnce)
        QApplication::processEvents();
}

PleaseWait::~PleaseWait()
{
    if (g_box)
        g_box->hide();
    if (m_caller)
        m_caller->setEnabled(true);
}

Form5 *PleaseWait::current()
{
    return g_box && g_box->isVisible() ? g_box.data() : nullptr;
}

int PleaseWait::timesShown()
{
    return g_timesShown;
}

} // namespace tav::platform
