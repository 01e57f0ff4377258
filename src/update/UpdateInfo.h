#pragma once

#include <QString>

// One newer version offered by the download site for one kind (program, firmware, algorithm).
struct UpdateInfo
{
    int kind = -1;
    QString installed;
    QString available;
    QString name;    // the entry's name on the site's page
    QString version; // the entry's version text on the site's page
    QString url;     // the entry's download link, made absolute

    bool operator==(const UpdateInfo&) const = default;
};
