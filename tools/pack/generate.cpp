#include "generate.h"

#include "packagewriter.h"

namespace orlavine::pack {

void GeneratePackage(const QString& folder, const QString& skinFolder, std::uint64_t seed)
{
    PackageContent content{QStringLiteral("Primary Mathematics, ages 7 to 12"),
                           QStringLiteral("PM"), BuildPapers(seed), {skinFolder}};
    WritePackage(folder, content);
}

QString DefaultSkinFolder()
{
    return QStringLiteral(ORLAVINE_SKIN_DIR);
}

} // namespace orlavine::pack
