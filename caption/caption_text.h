#pragma once

#include "caption/company_text.h"

namespace caption {

// The caption text proper, bound to the host window's title: reading gives the title as it
// is now, writing sets it.
class TCaptionText : public TCompanyText {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ ReadCaption WRITE WriteCaption)

public:
    using TCompanyText::TCompanyText;

    void WriteCaption(const QString& value) override;
    QString ReadCaption() const;
};

} // namespace caption
