#include "utils/SystemMessage.h"

#include <cstdio>

namespace Utils {
namespace {
SystemErrorHandler &handlerSlot()
{
    static SystemErrorHandler handler;
    return handler;
}
} // namespace

void ShowSystemError(const QString &text, const QString &caption)
{
    if (handlerSlot()) {
        handlerSlot()(caption, text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
}

void SetSystemErrorHandler(SystemErrorHandler handler)
{
    handlerSlot() = std::move(handler);
}

} // namespace Utils
