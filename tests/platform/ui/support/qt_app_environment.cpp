// One Qt application around every test of a test program, made before the
// first test: screens and controls need it, and the players' notifications
// arrive through its event loop.
#include "qt_test_app.h"

namespace {

const auto* const kQtApp = ::testing::AddGlobalTestEnvironment(new lumora::test::QtAppEnvironment);

} // namespace
