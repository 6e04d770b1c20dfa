#pragma once

// What every test of the windows' rules reads its tables with.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"
