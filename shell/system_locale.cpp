#include "shell/system_locale.h"

#include <QLocale>

namespace vantrel {

LocaleSeparators SystemSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace vantrel
