#pragma once

#include <QStringList>
