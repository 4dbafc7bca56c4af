#include "test/TestEngine.h"

#include "host/core/Random.h"

namespace test {

TestEngine::TestEngine(host::Random& random) : random_(random) {}

} // namespace test
