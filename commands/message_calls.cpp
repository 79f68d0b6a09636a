#include "commands/message_calls.h"

#include "commands/amount_text.h"
#include "core/vocabulary.h"

namespace vantrel {

void PushAmountMessage(Calculator& calculator, std::uint32_t wParam, std::uint32_t lParam) {
    calculator.cmd_Input(AmountMessageText(wParam, lParam, calculator.Separators().decimal), true);
}

void OperateMessage(Calculator& calculator, std::uint32_t wParam) {
    calculator.cmd_Operate(static_cast<OpIndex>(static_cast<std::int16_t>(wParam & 0xFFFFu)));
}

}  // namespace vantrel
