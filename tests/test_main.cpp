#include "app/float_mode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Prints each test, each failure or skip and a closing count to standard output alone, in place of
// GoogleTest's own printer, which on Windows also hands failures and skips to OutputDebugStringA.
// That raises an exception for a debugger to see. Under QEMU's user-mode emulation, a 32-bit Wine
// process that handles an exception while it has a second thread (GoogleTest starts one as it
// reports) goes on with that thread's block in place of its own and soon dies, so a skipped test
// would end the whole run. Where TESSORIN_REPORT names a file, the failures and skips with their
// messages and the closing count are added to it too, in ASCII, for the test kit's report.
class PlainPrinter : public testing::EmptyTestEventListener {
    std::FILE* report_ = std::getenv("TESSORIN_REPORT") != nullptr
                             ? std::fopen(std::getenv("TESSORIN_REPORT"), "a")
                             : nullptr;
    // The running test's name, kept at its start: GoogleTest reports a result while it holds the
    // lock that asking it for the current test takes, and on Linux that lock does not re-enter.
    std::string test_;

    // Adds text to the report, with every byte outside printable ASCII as '?'.
    void Report(std::string text) {
        for (char& c : text) {
            c = c == '\n' || (c >= ' ' && c <= '~') ? c : '?';
        }
        if (report_ != nullptr) {
            std::fputs(text.c_str(), report_);
        }
    }

    void OnTestStart(const testing::TestInfo& test) override {
        test_ = std::string(test.test_suite_name()) + "." + test.name();
        std::printf("[ RUN      ] %s\n", test_.c_str());
    }

    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (result.type() != testing::TestPartResult::kSuccess) {
            const std::string where =
                testing::internal::FormatFileLocation(result.file_name(), result.line_number());
            std::printf("%s %s\n%s\n", where.c_str(), result.skipped() ? "Skipped" : "Failure",
                        result.message());
            Report(std::string(result.skipped() ? "skipped " : "failed ") + test_ + " at " + where +
                   "\n" + result.message() + "\n");
        }
    }

    void OnTestEnd(const testing::TestInfo& test) override {
        const testing::TestResult& result = *test.result();
        const char* verdict = result.Skipped()  ? " SKIPPED"
                              : result.Passed() ? "      OK"
                                                : "  FAILED";
        std::printf("[ %s ] %s.%s (%lld ms)\n", verdict, test.test_suite_name(), test.name(),
                    static_cast<long long>(result.elapsed_time()));
    }

    void OnTestProgramEnd(const testing::UnitTest& unit) override {
        const std::string count = std::to_string(unit.successful_test_count()) + " passed, " +
                                  std::to_string(unit.failed_test_count()) + " failed, " +
                                  std::to_string(unit.skipped_test_count()) + " skipped\n";
        std::fputs(count.c_str(), stdout);
        Report(count);
        if (report_ != nullptr) {
            std::fclose(report_);
        }
    }
};

// Fails on purpose, run alone by a CTest: a failing test ends its program at once, with its
// message.
TEST(Printer, DISABLED_FailsOnPurpose) {
    FAIL() << "failed on purpose";
}

// Ends its program as a crash does on Windows, with the exception's code, here an access
// violation's, as its exit code (a negative number), but without a crash dialog: the test kit's
// check runs it alone.
TEST(Printer, DISABLED_EndsAsACrashDoes) {
    std::_Exit(static_cast<int>(0xC0000005u));
}

} // namespace

// The core is tested in the floating-point mode that the program's start-up sets.
int main(int argc, char** argv) {
    UseProgramFloatMode();
    // Every line reaches the log at once, also the last ones of a test that ends the process.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    testing::InitGoogleTest(&argc, argv);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    delete listeners.Release(listeners.default_result_printer());
    listeners.Append(new PlainPrinter);
    return RUN_ALL_TESTS();
}
