#pragma once

#include <QLatin1String>
#include <QString>

// Every analytics event the module sends, by name, key and value, and the
// senders shared by the two services. Each event is built, filled and sent
// within one call.
namespace NxSpeechServiceEvents
{
// Event names.
// "embeded" as the analytics catalogue spells it; reports count on the name.
inline constexpr QLatin1String WindowPopup{"embeded_window_popup"};
inline constexpr QLatin1String WindowButtonClick{"embed_window_btn_click"};
inline constexpr QLatin1String SttParamsSetting{"STT_params_setting"};
inline constexpr QLatin1String ServeDetails{"audio_title_serve_details"};
inline constexpr QLatin1String BillDetails{"audio_title_func_bill_details"};
inline constexpr QLatin1String FuncFailed{"audio_title_func_failed"};

// Property keys.
inline constexpr QLatin1String WindowName{"window_name"};
inline constexpr QLatin1String ButtonName{"btn_name"};
inline constexpr QLatin1String FuncModule{"func_module"};
inline constexpr QLatin1String PageStatus{"page_status"};
inline constexpr QLatin1String ClipType{"clip_type"};
inline constexpr QLatin1String BillQuantity{"bill_quantity"};
inline constexpr QLatin1String FailedReason{"failed_reason"};
inline constexpr QLatin1String SttLanguage{"STT_language"};
inline constexpr QLatin1String SelectConverted{"Select_converted"};
inline constexpr QLatin1String IsUseCheck{"is_use_check"};

// Values.
inline constexpr QLatin1String SpeechToText{"STT"};
inline constexpr QLatin1String TextToSpeech{"TTS"};
inline constexpr QLatin1String PageScan{"scan"};
inline constexpr QLatin1String PageUpload{"upload"};
inline constexpr QLatin1String PageCloudTransfer{"cloud_transfer"};
inline constexpr QLatin1String PageDownload{"download"};
inline constexpr QLatin1String ConvertClip{"clip"};
inline constexpr QLatin1String ConvertSequence{"sequence"};

// "audio_title_serve_details"; `clipType` is added only when not empty.
void sendServeDetails(const QString& module, const QString& pageStatus, const QString& clipType = QString());
// "audio_title_func_bill_details" with the billed quantity.
void sendBillDetails(const QString& module, int quantity);
// "audio_title_func_failed"; `clipType` is added only when not empty.
void sendFuncFailed(const QString& module, int failedReason, const QString& clipType = QString());
// "embeded_window_popup" for one window.
void sendWindowPopup(const QString& windowName);
}
