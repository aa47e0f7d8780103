#include "binder/Composer.h"

void ComposerChoice::checkEquipment(int, bool) {}

bool ComposerChoice::isEmpty() const
{
    return true;
}

namespace Composer {

int price(const ComposerChoice&)
{
    return 0;
}

ComposerResult build(const ComposerChoice&, const QString&)
{
    return {};
}

QString messageKey(ComposerResult::Problem)
{
    return {};
}

QString problemText(const ComposerResult&, const std::function<QString(const QString&)>&)
{
    return {};
}

} // namespace Composer
