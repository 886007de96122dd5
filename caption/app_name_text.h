#pragma once

#include "caption/company_text.h"

namespace caption {

// The application-name text; a class of its own so a layout tells it from the maker's line.
class TAppNameText : public TCompanyText {
    Q_OBJECT
public:
    using TCompanyText::TCompanyText;
};

} // namespace caption
