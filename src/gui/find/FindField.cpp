#include "gui/find/FindField.h"

#include "gui/find/FindAsYouType.h"

namespace lumidex {

QLineEdit* attachFindField(QWidget& host, const FindFields& fields, FindFieldHooks hooks)
{
    return (new FindAsYouType(host, fields, std::move(hooks)))->field();
}

} // namespace lumidex
