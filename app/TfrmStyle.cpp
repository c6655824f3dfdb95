#include "app/TfrmStyle.h"

#include <QApplication>

QPointer<TfrmStyle> frmStyle;

TfrmStyle::TfrmStyle(QWidget* aParent) : QWidget(aParent)
{
    setObjectName(QStringLiteral("frmStyle"));
    setWindowTitle(QStringLiteral("Definição de Estilos"));
    qApp->setStyleSheet(StyleSheet());
}

TfrmStyle::~TfrmStyle()
{
    if (qApp)
        qApp->setStyleSheet(QString());
}

QString TfrmStyle::StyleSheet()
{
    // Green and gold of the lottery slips; header panels in a horizontal gradient with white text.
    return QStringLiteral(R"(
QLabel#Titulo {
    color: white;
    font-weight: bold;
    padding-left: 8px;
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #0b5d3b, stop:0.6 #1f8a4c, stop:1 #c9a227);
}
TFrameTop { background: #0b5d3b; }
TFrameTop QPushButton#btnCloseForm {
    color: white; font-weight: bold; border: none; background: #0b5d3b;
}
TFrameTop QPushButton#btnCloseForm:hover { background: #b3261e; }
QPushButton[large="true"] {
    min-height: 41px; font-size: 13pt; font-weight: bold; color: #0b3d2e;
    border: 1px solid #1f8a4c; border-radius: 6px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d9efe0);
}
QPushButton[large="true"]:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #f4e7b5); }
QPushButton[large="true"]:pressed { background: #c9e6d2; }
QFrame#DockWinControl { background: #eef5f0; border-top: 1px solid #9cc7ab; }
TDockPanel { background: white; border: 1px solid #9cc7ab; }
TDockPanel#DockPanelMenu { background: transparent; border: none; }
QWidget#DockCaption { background: #1f8a4c; color: white; }
QWidget#DockCaption QLabel { color: white; font-weight: bold; }
QLineEdit, QSpinBox, QDoubleSpinBox, QPlainTextEdit, QTextEdit {
    border: 1px solid #9cc7ab; border-radius: 3px; padding: 2px; background: white;
}
QGroupBox { font-weight: bold; border: 1px solid #9cc7ab; border-radius: 4px; margin-top: 10px; padding-top: 6px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #0b5d3b; }
QTableView { gridline-color: #cfe3d6; alternate-background-color: #f1f8f3; }
QHeaderView::section { background: #1f8a4c; color: white; padding: 3px; border: none; }
)");
}
