#include "reference/reference_scanners.h"

#include "reference/vb_strings.h"

namespace quillet::reference {

using namespace vb;

std::string ParentUrl(std::string address)
{
    bool had_scheme = false;
    if (InStr(address, "http://") > 0) {
        address = Replace(address, "http://", "");
        had_scheme = true;
    }
    if (address != "" && Right(address, 1) == "/")
        address = Left(address, Len(address) - 1);
    std::string cut = Left(address, InStrRev(address, "/"));
    if (had_scheme)
        cut = "http://" + cut;
    if (cut != "" && cut != "http://")
        return cut;
    return address + "/";
}

std::string UrlFileName(std::string reference)
{
    if (InStr(reference, "http://") > 0)
        reference = Replace(reference, "http://", "");
    while (InStr(reference, "/") > 0)
        reference = Mid(reference, InStr(reference, "/") + 1);
    reference = Replace(reference, " border=", "");
    return Replace(reference, "\"", "", Compare::Binary);
}

}
