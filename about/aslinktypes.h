#pragma once

#include <QObject>
#include <QString>

namespace tavrel {
Q_NAMESPACE

// Horizontal justification of the caption; the order of the values is the stored index.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

// Vertical placement of the caption inside the control.
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

// The side of the text on which the drop shadow lies.
enum TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
Q_ENUM_NS(TShadowPosition)

// Link schemes; each one puts its prefix in front of the caption when the link opens.
enum TURLType { utFile, utFtp, utGopher, utHttp, utHttps, utMailto, utNews, utTelnet, utWais };
Q_ENUM_NS(TURLType)

// "mailto:", "http://" and so on; an empty text for a value outside the enumeration.
QString urlPrefix(TURLType type);

}  // namespace tavrel
