#include "util/Clean.h"

#include "Plain.h"

#include <QHostAddress>
#include <QtCore>
#include <cstdio>
