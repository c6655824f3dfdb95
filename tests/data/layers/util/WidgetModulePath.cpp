#include <QtCore/QString>
#include <QtWidgets/QWidget>
