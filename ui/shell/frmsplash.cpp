#include "ui/shell/frmsplash.h"

#include "core/productinfo.h"
#include "ui/shell/notice.h"
#include "ui/shell/productpicture.h"
#include "ui/widgets/controltable.h"
#include "ui/widgets/netquillfont.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

frmSplash::frmSplash(std::function<void()> openMainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_openMainWindow(std::move(openMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setFont(netquillFont());
    setFixedSize(7380 / kTwipsPerPixel, 4245 / kTwipsPerPixel);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setGeometry(fromTwips(150, 60, 7080, 4050));
    Frame1->installEventFilter(this);

    auto *imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(productPicture(128));
    imgLogo->setGeometry(24, 48, 128, 128);

    addCentredLabel(Frame1, "lblCompanyProduct", QString::fromLatin1(netquill::kMakerShortName),
                    netquillFont(18, QFont::Bold), {168, 40, 288, 40});
    addCentredLabel(Frame1, "lblProductName", QString::fromLatin1(netquill::kShortName),
                    netquillFont(27.75, QFont::Bold), {168, 84, 288, 60});
    addCentredLabel(Frame1, "lblVersion", QString::fromLatin1(netquill::kVersionCaption), netquillFont(12, QFont::Bold),
                    {168, 150, 288, 28});
    addCentredLabel(Frame1, "lblCopyright", copyrightNotice(), font(), {12, 226, 448, 24});

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(kSplashMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    activateWindow();
    Timer1.start();
}

void frmSplash::Timer1_Timer()
{
    if (m_mainWindowOpened)
        return;
    m_mainWindowOpened = true;
    Timer1.stop();
    m_openMainWindow();
    close();
}

// A key that types a character, Enter and Esc among them, ends the wait.
void frmSplash::keyPressEvent(QKeyEvent *event)
{
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    Timer1_Timer();
}

// A click on the frame itself ends the wait; one on its labels or picture does not.
bool frmSplash::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease) {
        const auto *click = static_cast<QMouseEvent *>(event);
        if (!Frame1->childAt(click->position().toPoint()))
            Timer1_Timer();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
