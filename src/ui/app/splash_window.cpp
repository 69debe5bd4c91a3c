#include "ui/app/splash_window.h"

#include "core/app/designer_version.h"
#include "core/app/launch_plan.h"
#include "ui/app/launch_window.h"
#include "ui/app/tool_windows.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace tav {

Form18::Form18(ToolWindows &windows, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_windows(windows)
{
    setObjectName(QStringLiteral("Form18"));
    setFixedSize(sizeTw(5085, 3705));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(splashPicture(320, 160));
    picture->setGeometry((width() - 320) / 2, 8, 320, 160);

    auto addLabel = [this](const char *name, const QString &text, int y, int pointSize, bool bold) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        QFont f = label->font();
        f.setPointSize(pointSize);
        f.setBold(bold);
        label->setFont(f);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, y, width(), pointSize * 2 + 4);
        return label;
    };
    addLabel("Label1", QStringLiteral("Tavaria"), 20, 20, true)->setStyleSheet(QStringLiteral("color: #FFF2C8;"));
    addLabel("Label2", QStringLiteral("developement kit"), 60, 11, false)->setStyleSheet(QStringLiteral("color: #FFF2C8;"));
    QLabel *version = addLabel("Label3", QStringLiteral("Version"), 178, 9, false);
    version->setText(QStringLiteral("v") + DesignerVersion().text());

    addLogo(this, 8, 200);
    m_lod = new QProgressBar(this);
    m_lod->setObjectName(QStringLiteral("Lod"));
    m_lod->setRange(0, 100);
    m_lod->setValue(0);
    m_lod->setTextVisible(false);
    m_lod->setGeometry(48, 208, width() - 56, 16);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &Form18::Timer1_Timer);
    m_timer->start();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void Form18::Timer1_Timer()
{
    m_timer->stop();
    for (const StartupStep &step : kStartupSteps) {
        m_lod->setValue(step.progress);
        m_lod->repaint();
        if (step.window)
            m_windows.load(*step.window);
    }
    if (auto *launch = qobject_cast<Form1 *>(m_windows.window(ToolWindow::Launch))) {
        launch->placeBottomRight();
        launch->show();
        launch->placeBottomRight();
        // A window manager may add its frame only after the window is shown.
        QTimer::singleShot(200, launch, &Form1::placeBottomRight);
    } else if (QWidget *other = m_windows.window(ToolWindow::Launch)) {
        other->show();
    }
    Q_EMIT startupFinished();
    close();
}

} // namespace tav
