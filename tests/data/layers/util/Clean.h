#pragma once

#include "util/Plain.h"

#include <QString>
#include <QtNetwork/QTcpSocket>

#include <vector>
