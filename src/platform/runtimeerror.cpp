#include "platform/runtimeerror.h"

namespace {
const char *describe(RuntimeError::Code code)
{
    switch (code) {
    case RuntimeError::Overflow:
        return "オーバーフローしました。";
    }
    return "";
}
} // namespace

RuntimeError::RuntimeError(Code code) : std::runtime_error(describe(code)), m_code(code) {}

QString RuntimeError::message() const
{
    return QStringLiteral("実行時エラー '%1':\n\n%2")
        .arg(int(m_code))
        .arg(QString::fromUtf8(what()));
}
