#pragma once

// What every test of the windows' rules includes: the test framework, the table reader, and the
// strings and streams its rows are parsed with.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "support/data_table.h"
