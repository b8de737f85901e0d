#include "ui/shell/frmabout.h"

#include "core/productinfo.h"
#include "ui/shell/notice.h"
#include "ui/shell/productpicture.h"
#include "ui/widgets/controltable.h"
#include "ui/widgets/netquillfont.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

frmAbout::frmAbout(QWidget *owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(netquill::kProductName));
    setFont(netquillFont());
    setFixedSize(7200 / kTwipsPerPixel, 4500 / kTwipsPerPixel);
    // Modal over its owner only: the help window stays usable beside it.
    setWindowModality(Qt::WindowModal);

    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(productPicture(96));
    Image1->setGeometry(24, 24, 96, 96);

    addCentredLabel(this, "lblTitle", QString::fromLatin1(netquill::kMakerShortName), netquillFont(20.25, QFont::Bold),
                    {136, 20, 320, 40});
    addCentredLabel(this, "Label1", QString::fromLatin1(netquill::kShortName), netquillFont(14.25, QFont::Bold),
                    {136, 64, 320, 30});
    addCentredLabel(this, "lblVersion", QString::fromLatin1(netquill::kVersionCaption), netquillFont(9.75, QFont::Bold),
                    {136, 98, 320, 22});

    // Etched: a grey line over a white one, one pixel apart.
    auto *Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(16, 184, 448, 4);

    QLabel *notice = addCentredLabel(this, "lblDisclaimer", copyrightNotice(), font(), {16, 196, 448, 40});
    notice->setWordWrap(true);

    QPushButton *cmdOK = addButton(this, "cmdOK", QStringLiteral("OK"), {360, 252, 104, 30});
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // Esc rejects a QDialog, so OK is the cancel button too.

    // No system information is offered: the button exists and stays hidden.
    addButton(this, "cmdSysInfo", QStringLiteral("&System Info..."), {240, 252, 104, 30})->hide();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
