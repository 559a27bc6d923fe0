// The IoT agent's SDK errors, handed to the error service as main code 8.
#include "tullumo.h"

#include "iotlog.h"

namespace {

constexpr int SdkErrorMain = 8;

struct SdkCode
{
    int code;
    int sub1;
    int sub2;
};

// Single codes, not ranges; anything else is (4, 5), "Unknown error.".
constexpr SdkCode Codes[] = {
    {-100, 1, 0},  {-110, 1, 1},  {-150, 1, 2},  {-160, 1, 3},  {-161, 1, 4},  {-162, 1, 5},
    {-163, 1, 6},  {-164, 1, 7},  {-165, 1, 8},  {-166, 1, 9},  {-167, 1, 10}, {-200, 2, 0},
    {-201, 2, 1},  {-202, 2, 2},  {-203, 2, 3},  {-204, 2, 4},  {-299, 2, 5},  {-2100, 3, 0},
    {-2101, 3, 1}, {-2102, 3, 2}, {-2103, 3, 3}, {-2200, 3, 4}, {-2201, 3, 5}, {-2202, 3, 6},
    {-2210, 3, 7}, {-3000, 3, 8}, {-3005, 3, 9}, {-3010, 3, 10}, {-8512, 4, 0}, {-8513, 4, 1},
    {-8514, 4, 2}, {-8515, 4, 3}, {-8599, 4, 4},
};

// The code as decimal text; 0 for anything else, a JSON number included.
int codeOf(const QJsonValue &value)
{
    bool ok = false;
    const int code = value.isString() ? value.toString().toInt(&ok, 10) : 0;
    return ok ? code : 0;
}

} // namespace

QVector<int> TulLumo::sdkErrorQuadruple(int code)
{
    for (const SdkCode &c : Codes) {
        if (c.code == code)
            return {SdkErrorMain, c.sub1, c.sub2, 0};
    }
    return {SdkErrorMain, 4, 5, 0};
}

void TulLumo::handle_event_sdkErrorReceived(QJsonObject message)
{
    const int code = codeOf(message.value(QStringLiteral("errorCode")));
    const QVector<int> q = sdkErrorQuadruple(code);
    emit lumoSdkErrorInfo(q.at(0), q.at(1), q.at(2), q.at(3));
}
