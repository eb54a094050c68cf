// The character set of a help page and the page decoded by it.

#include "FuzzSupport.h"
#include "reference/HelpPage.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray html = Fuzz::Bytes(data, size);
    Reference::DeclaredCharset(html);
    Reference::DecodeHtmlPage(html);
    return 0;
}
