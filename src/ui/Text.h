// Text between the core's bytes and Qt's strings: shown as UTF-8, written back only when edited.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vantrel::ui {

inline QString toQt(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string fromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace vantrel::ui
