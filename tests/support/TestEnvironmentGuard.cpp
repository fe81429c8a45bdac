#include "support/TestEnvironment.h"

// Compiled into every test program (not taken from the support library, where the linker
// would drop it): before main runs, settings, sockets and temporary files of the test are
// pointed into private folders, so a test run never touches the user's own.
static TestEnvironment testEnvironment;
