// The rig's namespace sees the shared test helpers (process runner,
// temporary directory, virtual X server) under their own names.
#pragma once

#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/XvfbServer.h"

namespace e2e {
using namespace trovane::test;
} // namespace e2e
