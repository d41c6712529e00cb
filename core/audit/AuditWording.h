#pragma once

#include "audit/RandomnessAudit.h"

#include <string>

// The audit in Russian words (UTF-8), the same on the command line and in the window.
namespace lottery::audit::wording {

// "1 тираж", "3 тиража", "3 622 тиража": the count and the word form that agrees with it.
std::string Count(long long count, const char* one, const char* few, const char* many);
// A figure with a decimal comma; small figures keep two significant digits.
std::string Decimal(double value, int decimals = 2);
// "0,090", "меньше 0,001".
std::string PValue(double p);

// The test's short name ("Частота чисел") and the question it asks, in words.
std::string TestTitle(TestKind kind);
std::string TestQuestion(TestKind kind, LotteryShape shape);
// The figure counted and what chance gives for it.
std::string FigureText(const TestResult& test);
std::string ChanceText(const TestResult& test);
// The p-value, with its own error when it was simulated.
std::string PText(const TestResult& test);
// The smallest fault of its kind the test catches half the time, in words.
std::string VisibilityText(const TestResult& test, const AuditReport& report);
// The verdict in one sentence a non-statistician reads, naming the tests that failed.
std::string VerdictText(const AuditReport& report);
// What was tested: "Лотерея 6 из 49, проверено 3622 тиража."
std::string ScopeText(const AuditReport& report);

} // namespace lottery::audit::wording
