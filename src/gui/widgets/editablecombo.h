#pragma once
// An editable combo box made cheaply: handing it a line edit makes it editable just as
// setEditable(true) does, but without building its pop-up list at once (only when first opened).
// With some thirty such boxes on the window that is most of its start-up time.

#include <QComboBox>
#include <QLineEdit>

namespace q7 {

inline void makeEditable(QComboBox* box) { box->setLineEdit(new QLineEdit(box)); }

}  // namespace q7
