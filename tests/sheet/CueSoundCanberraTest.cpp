// SPDX-License-Identifier: GPL-3.0-or-later
// The cue on Linux: libcanberra found at run time, or not at all, and the cue played through
// whatever was found.
#include "sheet/CueSoundCanberra_p.h"

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using sheet::CanberraFunctions;

// ---- Loading the library ----

struct LibraryCase {
    const char* name;
    const char* fileName;
    bool found;
};

void PrintTo(const LibraryCase& c, std::ostream* os) { *os << c.name; }

class CanberraLibraryTest : public testing::TestWithParam<LibraryCase> {};

TEST_P(CanberraLibraryTest, FindsAllItsFunctionsOrNothing) {
    const auto functions = sheet::LoadCanberra(GetParam().fileName);
    ASSERT_EQ(functions.has_value(), GetParam().found);
    if (!functions) return;
    EXPECT_NE(functions->contextCreate, nullptr);
    EXPECT_NE(functions->contextDestroy, nullptr);
    EXPECT_NE(functions->contextChangeProps, nullptr);
    EXPECT_NE(functions->contextPlay, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Libraries, CanberraLibraryTest,
                         testing::Values(LibraryCase{"TheRuntimePackages", sheet::kCanberraLibrary, true},
                                         LibraryCase{"Missing", "libtavrendale-no-such-library.so.0", false},
                                         LibraryCase{"WithoutTheFunctions", "libc.so.6", false},
                                         LibraryCase{"NotALibrary", "/dev/null", false}));

// The functions found are libcanberra's own, each under its own name: a context made, given
// the program's properties and destroyed, all with success, and no sound played.
TEST(CanberraLibrary, ItsFunctionsWorkAContext) {
    const auto canberra = sheet::LoadCanberra(sheet::kCanberraLibrary);
    ASSERT_TRUE(canberra.has_value());
    ca_context* context = nullptr;
    ASSERT_EQ(canberra->contextCreate(&context), CA_SUCCESS);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(canberra->contextChangeProps(context, CA_PROP_APPLICATION_NAME, "Tavrendale", nullptr), CA_SUCCESS);
    // ca_context_play refuses a context that is missing before anything else.
    EXPECT_EQ(canberra->contextPlay(nullptr, 0, CA_PROP_EVENT_ID, "bell", nullptr), CA_ERROR_INVALID);
    EXPECT_EQ(canberra->contextDestroy(context), CA_SUCCESS);
}

// The program itself starts without the library: the cue made with the window does not load
// it. Only this test's own process is looked at, which loads libcanberra nowhere else first.
TEST(CanberraLibrary, NotLoadedByMakingTheCue) {
    const auto isLoaded = [] {
        void* library = dlopen(sheet::kCanberraLibrary, RTLD_NOW | RTLD_NOLOAD);
        if (library != nullptr) dlclose(library);
        return library != nullptr;
    };
    if (isLoaded()) GTEST_SKIP() << "an earlier test in this process loaded libcanberra";
    const auto sound = sheet::MakeSystemCueSound();
    EXPECT_FALSE(isLoaded());
}

// ---- Playing through the functions found ----

// libcanberra played back: what a cue asked of it, with scripted answers.
struct FakeCanberra {
    int createResult = CA_SUCCESS;
    std::vector<int> playResults; // one per play, CA_SUCCESS once they run out
    int creates = 0;
    int destroys = 0;
    std::string applicationName;
    std::vector<std::string> played; // the event ids, in order
};

FakeCanberra fake;
char fakeContext;

ca_context* FakeContext() { return reinterpret_cast<ca_context*>(&fakeContext); }

// The value given for `key` in a property list that ends with a null key.
std::string ValueOf(const char* key, va_list properties) {
    std::string value;
    while (const char* name = va_arg(properties, const char*)) {
        const char* given = va_arg(properties, const char*);
        if (std::strcmp(name, key) == 0) value = given;
    }
    return value;
}

int FakeCreate(ca_context** context) {
    ++fake.creates;
    if (fake.createResult == CA_SUCCESS) *context = FakeContext();
    return fake.createResult;
}

int FakeDestroy(ca_context* context) {
    EXPECT_EQ(context, FakeContext());
    ++fake.destroys;
    return CA_SUCCESS;
}

int FakeChangeProps(ca_context* context, ...) {
    EXPECT_EQ(context, FakeContext());
    va_list properties;
    va_start(properties, context);
    fake.applicationName = ValueOf(CA_PROP_APPLICATION_NAME, properties);
    va_end(properties);
    return CA_SUCCESS;
}

int FakePlay(ca_context* context, std::uint32_t id, ...) {
    EXPECT_EQ(context, FakeContext());
    va_list properties;
    va_start(properties, id);
    fake.played.push_back(ValueOf(CA_PROP_EVENT_ID, properties));
    va_end(properties);
    const std::size_t index = fake.played.size() - 1;
    return index < fake.playResults.size() ? fake.playResults[index] : CA_SUCCESS;
}

const CanberraFunctions kFakeFunctions{FakeCreate, FakeDestroy, FakeChangeProps, FakePlay};

struct PlayCase {
    const char* name;
    bool libraryFound;
    int createResult;
    std::vector<int> playResults;
    int cues;
    std::vector<std::string> played;
    int contexts; // made, and destroyed with the cue
};

void PrintTo(const PlayCase& c, std::ostream* os) { *os << c.name; }

class CanberraCueTest : public testing::TestWithParam<PlayCase> {
protected:
    void SetUp() override { fake = FakeCanberra{}; }
};

TEST_P(CanberraCueTest, PlaysWhatCanBePlayedAndIsSilentOtherwise) {
    const PlayCase& c = GetParam();
    fake.createResult = c.createResult;
    fake.playResults = c.playResults;
    int resolved = 0;
    {
        auto sound = sheet::MakeCanberraCueSound([&]() -> const CanberraFunctions* {
            ++resolved;
            return c.libraryFound ? &kFakeFunctions : nullptr;
        });
        EXPECT_EQ(resolved, 0) << "the library is looked for before the first cue";
        for (int cue = 0; cue < c.cues; ++cue) sound->Play();
        EXPECT_EQ(resolved, c.cues > 0 ? 1 : 0);
        EXPECT_EQ(fake.creates, c.cues > 0 && c.libraryFound ? 1 : 0);
        EXPECT_EQ(fake.destroys, 0);
    }
    EXPECT_EQ(fake.played, c.played);
    EXPECT_EQ(fake.destroys, c.contexts);
    EXPECT_EQ(fake.applicationName, c.contexts > 0 ? "Tavrendale" : "");
}

const std::string kTheme = "message-new-instant";
const std::string kBell = "bell";

INSTANTIATE_TEST_SUITE_P(
    Cues, CanberraCueTest,
    testing::Values(PlayCase{"NeverSounded", true, CA_SUCCESS, {}, 0, {}, 0},
                    PlayCase{"ThemeSound", true, CA_SUCCESS, {}, 1, {kTheme}, 1},
                    PlayCase{"OneContextForEveryCue", true, CA_SUCCESS, {}, 3, {kTheme, kTheme, kTheme}, 1},
                    PlayCase{"BellWhereTheThemeHasNone",
                             true,
                             CA_SUCCESS,
                             {CA_ERROR_NOTFOUND, CA_SUCCESS, CA_ERROR_NOTFOUND},
                             2,
                             {kTheme, kBell, kTheme, kBell},
                             1},
                    PlayCase{"NoServerStaysSilent",
                             true,
                             CA_SUCCESS,
                             {CA_ERROR_NOTAVAILABLE, CA_ERROR_NOTAVAILABLE},
                             1,
                             {kTheme, kBell},
                             1},
                    PlayCase{"NoContextNoSoundNoRetry", true, CA_ERROR_NOTAVAILABLE, {}, 2, {}, 0},
                    PlayCase{"NoLibraryNoSound", false, CA_SUCCESS, {}, 2, {}, 0}));

} // namespace
