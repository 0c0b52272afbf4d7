#include "shell/linux/name_dialog.h"

#include <QInputDialog>
#include <QString>

namespace burrowly {
namespace {

QString qt_text(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

std::optional<std::string> ask_name(std::string_view title, std::string_view initial, std::string_view ok_label,
                                    std::string_view cancel_label) {
  QInputDialog dialog;
  dialog.setWindowTitle(qt_text(title));
  dialog.setLabelText(qt_text(title));
  dialog.setTextValue(qt_text(initial));
  dialog.setOkButtonText(qt_text(ok_label));
  dialog.setCancelButtonText(qt_text(cancel_label));
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().trimmed().toStdString();
}

}  // namespace burrowly
