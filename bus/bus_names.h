#pragma once

// Where the calculator is found on the session bus: the names it and the programs that drive
// it agree on. Plain C++, so that a client needs no Qt.
namespace vantrel {

inline constexpr char kCalculatorService[] = "org.vantrel.Calculator";
inline constexpr char kCalculatorPath[] = "/Calculator";
inline constexpr char kCalculatorInterface[] = "org.vantrel.Calculator";
inline constexpr char kTapeTooLongError[] = "org.vantrel.Calculator.Error.TapeTooLong";

}  // namespace vantrel
