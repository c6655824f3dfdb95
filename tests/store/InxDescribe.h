#pragma once

// A one-line picture of a store's document for table-driven tests:
//   [Section] #Comment{line/line} Key=S|value Mult{line/line} <Header> Key=I|1 ...
// Removed sections and headers are left out, as a save leaves them out.

#include "store/InxDocument.h"
#include "store/TManager.h"

#include <QStringList>

// aSkipNotice leaves out the notice section every saved file starts with.
inline QString DescribeInx(const TManager& aStore, bool aSkipNotice = false)
{
    QStringList parts;
    const TInxDocument* doc = aStore.Document();
    if (!doc)
        return QStringLiteral("(sem documento)");
    auto body = [&](const TInxContainer& aContainer) {
        if (aContainer.HasComment)
            parts.append(u'#' + aContainer.Comment.Name + u'{' + aContainer.Comment.Lines.join(u'/') + u'}');
        for (const TInxKey& key : aContainer.Keys)
            parts.append(key.Name + u'=' + InxValueLine(key));
        for (const TInxBlock& mult : aContainer.Mults)
            parts.append(mult.Name + u'{' + mult.Lines.join(u'/') + u'}');
    };
    for (const auto& section : doc->Sections()) {
        if (section->Removed || (aSkipNotice && section->Name == u"Obrix.Advertise"))
            continue;
        parts.append(u'[' + section->Name + u']');
        body(*section);
        for (const auto& header : section->Headers) {
            if (header->Removed)
                continue;
            parts.append(u'<' + header->Name + u'>');
            body(*header);
        }
    }
    return parts.join(u' ');
}
