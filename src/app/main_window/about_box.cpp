// The About box: see about_box.h. Its controls are placed in dialog units of
// the form's font, like the form's.
#include "app/main_window/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <vector>

#include "app/form_widget/dialog_units.h"
#include "app/program/icons.h"
#include "app/form_widget/text_room.h"

namespace qmoor {

namespace {
QLabel* plainLabel(const QString& text, const QRect& place, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(place);
  return label;
}
}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setFont(formFont());
  const DialogUnits units = DialogUnits::of(font());
  setWindowTitle(tr("Quillmoorのバージョン情報 "));
  setFixedSize(units.size(183, 52));

  const QRect iconPlace = units.rect({11, 14, 20, 20});
  auto* icon = new QLabel(this);
  const int side = std::min(iconPlace.width(), iconPlace.height());
  icon->setPixmap(iconResource(IconResource::Emblem).pixmap(side, side));
  icon->setGeometry(iconPlace);

  QLabel* name = plainLabel(tr("Quillmoor"), units.rect({40, 10, 73, 8}), this);
  QLabel* version = plainLabel(tr("Version 1.705"), units.rect({40, 22, 40, 8}), this);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  ok->setGeometry(units.rect({124, 7, 50, 16}));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // The texts widen into the free space beside them, as on the form.
  const int limit = width() - 1 - units.x(4);
  const std::vector<QWidget*> texts{name, version, ok};
  std::vector<RoomRequest> requests;
  for (QWidget* text : texts) {
    const QString shown = text == ok ? ok->text() : static_cast<QLabel*>(text)->text();
    requests.push_back({text->geometry(), widthForText(*text, shown), limit, false});
  }
  const std::vector<QRect> places = makeRoom(requests);
  for (size_t i = 0; i < texts.size(); ++i) texts[i]->setGeometry(places[i]);
}

}  // namespace qmoor
