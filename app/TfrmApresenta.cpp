#include "app/TfrmApresenta.h"

#include "util/VersionInfo.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>

TfrmApresenta::TfrmApresenta(QWidget* aParent) : TfrmBasic(aParent)
{
    setObjectName(QStringLiteral("frmApresenta"));
    setWindowTitle(QStringLiteral("Apresentação"));
    LblVersao = new QLabel(QStringLiteral("Versão: 1.0.0.0"), ClientArea());
    LblVersao->setObjectName(QStringLiteral("LblVersao"));
    QFont font = LblVersao->font();
    font.setPixelSize(22);
    font.setBold(true);
    LblVersao->setFont(font);
    LblVersao->setStyleSheet(QStringLiteral("color: #1f8a4c;"));
    auto* shadow = new QGraphicsDropShadowEffect(LblVersao);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(3);
    shadow->setColor(QColor(0xc9, 0xa2, 0x27));
    LblVersao->setGraphicsEffect(shadow);
    LblVersao->setText(QStringLiteral("Versão: ") + GetVersionValue(QStringLiteral("FileVersion"), VersionInfo));
}
