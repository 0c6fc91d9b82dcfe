#include "app/ui/AboutBox.h"

#include "app/ProgramPicture.h"
#include "session/Hint.h"

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QFont titleFont() {
    QFont f(QStringLiteral("Tahoma"));
    // Without Tahoma any sans face will do; it must be bold and 24 pixels.
    if (!QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) f = QFont();
    f.setPixelSize(24);
    f.setBold(true);
    return f;
}

} // namespace

TAboutBox::TAboutBox(QWidget* Parent) : QDialog(Parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(298, 213);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(8, 8, 282, 161);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    // Drawn for the screen's density, so it stays sharp where pixels are small.
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(drawProgramIcon(qRound(70 * ratio)));
    picture.setDevicePixelRatio(ratio);
    icon->setPixmap(picture);
    icon->setGeometry(12, 12, 70, 70);

    auto* product = new QLabel(tr("Brisel"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setFont(titleFont());
    product->setGeometry(96, 16, 176, 32);

    auto* version = new QLabel(tr("Version 1.0"), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(96, 54, 176, 18);

    auto* credits = new QLabel(tr("An editor for Windows icons and cursors.\n"
                                  "Written by the Brisel developers.\n"
                                  "Free to use and to share."),
                               panel);
    credits->setObjectName(QStringLiteral("Comments"));
    credits->setWordWrap(true);
    credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    credits->setGeometry(12, 96, 258, 56);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setGeometry(111, 178, 75, 25);
    applyHint(OKButton, tr("Closes dialog box."));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
