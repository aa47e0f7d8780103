// Steam's library list: any bytes parse without a crash, at any nesting, and every library
// path found is one the text spells out.
#include "FuzzSupport.h"

#include "platform/SteamLibraries.h"
#include "platform/VdfText.h"

using FuzzSupport::require;

namespace {

int depth(const QList<VdfText::Node>& nodes)
{
    int deepest = 0;
    for (const VdfText::Node& node : nodes) {
        require(node.isBlock || node.children.isEmpty(), "only blocks have children");
        deepest = std::max(deepest, 1 + depth(node.children));
    }
    return deepest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(bytes), qsizetype(size));
    require(depth(VdfText::parse(text)) <= 66, "nesting is bounded");
    for (const QString& path : SteamLibraries::libraryPaths(text))
        require(!path.isEmpty(), "library paths are not empty");
    return 0;
}
