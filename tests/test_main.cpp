#include "app/float_mode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using testing::TestEventListener;
using testing::TestInfo;
using testing::TestPartResult;
using testing::TestSuite;
using testing::UnitTest;

// GoogleTest's own printer, except that failures and skips go to standard output alone. On
// Windows GoogleTest also hands them to OutputDebugStringA, which raises an exception for a
// debugger to see. Under QEMU's user-mode emulation, a 32-bit Wine process that handles an
// exception while it has a second thread (GoogleTest starts one as it reports) goes on with that
// thread's block in place of its own and soon dies, so a skipped test would end the whole run.
class PlainPrinter : public TestEventListener {
  public:
    explicit PlainPrinter(TestEventListener* printer) : printer_(printer) {}

    void OnTestPartResult(const TestPartResult& result) override {
        if (result.type() != TestPartResult::kSuccess) {
            const std::string where =
                testing::internal::FormatFileLocation(result.file_name(), result.line_number());
            std::printf("%s %s\n%s\n", where.c_str(), result.skipped() ? "Skipped" : "Failure",
                        result.message());
            std::fflush(stdout);
        }
    }

    void OnTestProgramStart(const UnitTest& u) override { printer_->OnTestProgramStart(u); }
    void OnTestIterationStart(const UnitTest& u, int i) override {
        printer_->OnTestIterationStart(u, i);
    }
    void OnEnvironmentsSetUpStart(const UnitTest& u) override {
        printer_->OnEnvironmentsSetUpStart(u);
    }
    void OnEnvironmentsSetUpEnd(const UnitTest& u) override { printer_->OnEnvironmentsSetUpEnd(u); }
    void OnTestSuiteStart(const TestSuite& s) override { printer_->OnTestSuiteStart(s); }
    void OnTestCaseStart(const TestSuite& s) override { printer_->OnTestCaseStart(s); }
    void OnTestStart(const TestInfo& t) override { printer_->OnTestStart(t); }
    void OnTestDisabled(const TestInfo& t) override { printer_->OnTestDisabled(t); }
    void OnTestEnd(const TestInfo& t) override { printer_->OnTestEnd(t); }
    void OnTestSuiteEnd(const TestSuite& s) override { printer_->OnTestSuiteEnd(s); }
    void OnTestCaseEnd(const TestSuite& s) override { printer_->OnTestCaseEnd(s); }
    void OnEnvironmentsTearDownStart(const UnitTest& u) override {
        printer_->OnEnvironmentsTearDownStart(u);
    }
    void OnEnvironmentsTearDownEnd(const UnitTest& u) override {
        printer_->OnEnvironmentsTearDownEnd(u);
    }
    void OnTestIterationEnd(const UnitTest& u, int i) override {
        printer_->OnTestIterationEnd(u, i);
    }
    void OnTestProgramEnd(const UnitTest& u) override { printer_->OnTestProgramEnd(u); }

  private:
    std::unique_ptr<TestEventListener> printer_;
};

} // namespace

// The core is tested in the floating-point mode that the program's start-up sets.
int main(int argc, char** argv) {
    UseProgramFloatMode();
    testing::InitGoogleTest(&argc, argv);
    testing::TestEventListeners& listeners = UnitTest::GetInstance()->listeners();
    listeners.Append(new PlainPrinter(listeners.Release(listeners.default_result_printer())));
    return RUN_ALL_TESTS();
}
