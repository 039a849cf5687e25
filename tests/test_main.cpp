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
        std::printf("[ RUN      ] %s.%s\n", test.test_suite_name(), test.name());
    }

    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (result.type() != testing::TestPartResult::kSuccess) {
            const std::string where =
                testing::internal::FormatFileLocation(result.file_name(), result.line_number());
            std::printf("%s %s\n%s\n", where.c_str(), result.skipped() ? "Skipped" : "Failure",
                        result.message());
            const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
            Report(std::string(result.skipped() ? "skipped " : "failed ") + test.test_suite_name() +
                   "." + test.name() + " at " + where + "\n" + result.message() + "\n");
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
        char count[64];
        std::snprintf(count, sizeof count, "%d passed, %d failed, %d skipped\n",
                      unit.successful_test_count(), unit.failed_test_count(),
                      unit.skipped_test_count());
        std::fputs(count, stdout);
        Report(count);
        if (report_ != nullptr) {
            std::fclose(report_);
        }
    }
};

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
