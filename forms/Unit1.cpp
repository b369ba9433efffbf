#include "Unit1.h"

#include "Page.h"
#include "WebAddresses.h"

TForm1 *Form1 = nullptr;

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent)
{
    Form1 = this;
    setupUi(this);
    move(253, 147);

    // The initial link is in place before the field reports changes, so starting the
    // program generates nothing.
    Edit1->setText(FromUtf8(brevasto::web::MakerSite));
    Edit2->setText(FromUtf8(brevasto::web::ExampleAffiliateLink));
    connect(Edit2, &QLineEdit::textChanged, this, [this] { Edit2Change(Edit2); });

    FormCreate(this);
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::FormCreate(QObject *)
{
    Form1->setWindowTitle(QStringLiteral("Brevasto"));
}

void TForm1::Edit2Change(QObject *)
{
    if (!RadioButton1->isChecked())
        return;

    const QByteArray link = Edit2->text().toUtf8();
    const std::vector<std::string> page =
        brevasto::MakePhpPage(std::string_view(link.constData(), static_cast<std::size_t>(link.size())));

    brevasto::MemoLines result = Memo1->lines();
    result.clear();
    for (const std::string &line : page)
        result.append(FromUtf8(line));
}
