#include "runtime/qt/ErrorReport.h"

#include "runtime/numbers/RuntimeError.h"

#include <QCoreApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace Runtime {

namespace {

QString meaning(int number)
{
    switch (number) {
    case RuntimeError::InvalidProcedureCall:
        return QStringLiteral("程序呼叫或引數不正確");
    case RuntimeError::InternalError:
        return QStringLiteral("內部錯誤");
    default:
        return QStringLiteral("應用程式定義或物件定義錯誤");
    }
}

} // namespace

QString UnhandledErrorMessage(int number, const QString& detail)
{
    QString message = QStringLiteral("執行階段錯誤 '%1':\n\n%2").arg(number).arg(meaning(number));
    if (!detail.isEmpty()) {
        message += u"\n\n"_s + detail;
    }
    return message;
}

void ReportUnhandledError(int number, const QString& detail)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    UnhandledErrorMessage(number, detail), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("UnhandledErrorBox"));
    box.exec();
}

void ReportUnhandledError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeError& runtimeError) {
        ReportUnhandledError(runtimeError.number(), QString::fromUtf8(runtimeError.what()));
    } catch (const std::exception& otherError) {
        ReportUnhandledError(RuntimeError::InternalError,
                             QString::fromLocal8Bit(otherError.what()));
    } catch (...) {
        ReportUnhandledError(RuntimeError::InternalError, QString());
    }
}

} // namespace Runtime
