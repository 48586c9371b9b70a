#!/usr/bin/env python3
"""Writes the sample word books of the installation tree (data/Shelf) from the tables below.

Word-book files are UTF-16 LE with a byte-order mark and CR LF line ends: three header lines
(title, group, type name), then one line of six quoted fields per word. Run it after editing
the tables; the written files are committed.
"""
from pathlib import Path

W, B = "単語理解", "空欄補充"

# (language folder, folder kind, file name, title, group, type, [(foreign, phonetic, kana, japanese, notes)])
BOOKS = [
    ("English", "bookA", "Greetings.utx", "あいさつ", "01会話", W, [
        ("hello", "həˈloʊ", "ハロウ", "こんにちは", ""),
        ("good morning", "ˌɡʊd ˈmɔːrnɪŋ", "グッド モーニング", "おはようございます", ""),
        ("thank you", "ˈθæŋk juː", "サンキュー", "ありがとう", ""),
        ("please", "pliːz", "プリーズ", "どうぞ、お願いします", ""),
        ("excuse me", "ɪkˈskjuːz miː", "イクスキューズ ミー", "すみません", ""),
        ("goodbye", "ɡʊdˈbaɪ", "グッドバイ", "さようなら", ""),
    ]),
    ("English", "bookG", "BeVerb.utx", "be動詞", "01文法", B, [
        ("am", "I (   ) a student.", "", "私は学生です。", ""),
        ("is", "She (   ) my sister.", "", "彼女は私の姉です。", ""),
        ("are", "They (   ) in Tokyo.", "", "彼らは東京にいます。", ""),
        ("was", "It (   ) cold yesterday.", "", "昨日は寒かった。", ""),
    ]),
    ("English", "bookS", "Colours.utx", "色", "01語彙", W, [
        ("red", "rɛd", "レッド", "赤", ""),
        ("blue", "bluː", "ブルー", "青", ""),
        ("green", "ɡriːn", "グリーン", "緑", ""),
        ("yellow", "ˈjɛloʊ", "イエロウ", "黄色", ""),
        ("white", "waɪt", "ワイト", "白", ""),
        ("black", "blæk", "ブラック", "黒", ""),
        ("orange", "ˈɔːrɪndʒ", "オーリンジ", "オレンジ色", ""),
        ("brown", "braʊn", "ブラウン", "茶色", ""),
        ("grey", "ɡreɪ", "グレイ", "灰色", "米 gray"),
        ("pink", "pɪŋk", "ピンク", "ピンク色", ""),
        ("purple", "ˈpɜːrpl", "パープル", "紫", ""),
    ]),
    ("Italian", "bookA", "Saluti.utx", "あいさつ", "01会話", W, [
        ("ciao", "ˈtʃaːo", "チャオ", "やあ、じゃあね", "親しい相手に"),
        ("buongiorno", "bwɔnˈdʒorno", "ブォンジョルノ", "おはよう、こんにちは", ""),
        ("grazie", "ˈɡrattsje", "グラッツィエ", "ありがとう", ""),
        ("per favore", "per faˈvoːre", "ペル ファヴォーレ", "お願いします", ""),
        ("scusi", "ˈskuːzi", "スクーズィ", "すみません", "丁寧な形"),
        ("arrivederci", "arriveˈdertʃi", "アッリヴェデルチ", "さようなら", ""),
    ]),
    ("Italian", "bookG", "Essere.utx", "essere", "01文法", B, [
        ("sono", "Io (   ) giapponese.", "", "私は日本人です。", ""),
        ("è", "Lei (   ) mia sorella.", "", "彼女は私の姉です。", ""),
        ("siamo", "Noi (   ) a Roma.", "", "私たちはローマにいます。", ""),
        ("sono", "Loro (   ) studenti.", "", "彼らは学生です。", ""),
    ]),
    ("Italian", "bookS", "Colori.utx", "色", "01語彙", W, [
        ("rosso", "ˈrosso", "ロッソ", "赤", ""),
        ("blu", "blu", "ブル", "青", ""),
        ("verde", "ˈverde", "ヴェルデ", "緑", ""),
        ("giallo", "ˈdʒallo", "ジャッロ", "黄色", ""),
        ("bianco", "ˈbjaŋko", "ビアンコ", "白", ""),
        ("nero", "ˈneːro", "ネーロ", "黒", ""),
        ("arancione", "aranˈtʃoːne", "アランチョーネ", "オレンジ色", ""),
        ("marrone", "marˈroːne", "マッローネ", "茶色", ""),
        ("grigio", "ˈɡriːdʒo", "グリージョ", "灰色", ""),
        ("rosa", "ˈrɔːza", "ローザ", "ピンク色", ""),
        ("viola", "viˈɔːla", "ヴィオーラ", "紫", ""),
    ]),
    ("French", "bookA", "Salutations.utx", "あいさつ", "01会話", W, [
        ("bonjour", "bɔ̃ʒuʁ", "ボンジュール", "おはよう、こんにちは", ""),
        ("bonsoir", "bɔ̃swaʁ", "ボンソワール", "こんばんは", ""),
        ("merci", "mɛʁsi", "メルシー", "ありがとう", ""),
        ("s'il vous plaît", "sil vu plɛ", "スィル ヴ プレ", "お願いします", ""),
        ("excusez-moi", "ɛkskyze mwa", "エクスキュゼ モワ", "すみません", ""),
        ("au revoir", "o ʁəvwaʁ", "オ ルヴォワール", "さようなら", ""),
    ]),
    ("French", "bookG", "Etre.utx", "être", "01文法", B, [
        ("suis", "Je (   ) japonais.", "", "私は日本人です。", ""),
        ("est", "Elle (   ) ma sœur.", "", "彼女は私の姉です。", ""),
        ("sommes", "Nous (   ) à Paris.", "", "私たちはパリにいます。", ""),
        ("sont", "Ils (   ) étudiants.", "", "彼らは学生です。", ""),
    ]),
    ("French", "bookS", "Couleurs.utx", "色", "01語彙", W, [
        ("rouge", "ʁuʒ", "ルージュ", "赤", ""),
        ("bleu", "blø", "ブルー", "青", ""),
        ("vert", "vɛʁ", "ヴェール", "緑", ""),
        ("jaune", "ʒon", "ジョーヌ", "黄色", ""),
        ("blanc", "blɑ̃", "ブラン", "白", ""),
        ("noir", "nwaʁ", "ノワール", "黒", ""),
        ("orange", "ɔʁɑ̃ʒ", "オランジュ", "オレンジ色", ""),
        ("marron", "maʁɔ̃", "マロン", "茶色", ""),
        ("gris", "ɡʁi", "グリ", "灰色", ""),
        ("rose", "ʁoz", "ローズ", "ピンク色", ""),
        ("violet", "vjɔlɛ", "ヴィオレ", "紫", ""),
    ]),
    ("Spanish", "bookA", "Saludos.utx", "あいさつ", "01会話", W, [
        ("hola", "ˈola", "オラ", "こんにちは、やあ", ""),
        ("buenos días", "ˈbwenos ˈdias", "ブエノス ディアス", "おはようございます", ""),
        ("gracias", "ˈɡɾaθjas", "グラシアス", "ありがとう", "中南米では ˈɡɾasjas"),
        ("por favor", "poɾ faˈβoɾ", "ポル ファボール", "お願いします", ""),
        ("perdón", "peɾˈðon", "ペルドン", "すみません", ""),
        ("adiós", "aˈðjos", "アディオス", "さようなら", ""),
    ]),
    ("Spanish", "bookG", "Ser.utx", "ser", "01文法", B, [
        ("soy", "Yo (   ) japonés.", "", "私は日本人です。", ""),
        ("es", "Ella (   ) mi hermana.", "", "彼女は私の姉です。", ""),
        ("somos", "Nosotros (   ) estudiantes.", "", "私たちは学生です。", ""),
        ("son", "Ellos (   ) de Madrid.", "", "彼らはマドリード出身です。", ""),
    ]),
    ("Spanish", "bookS", "Colores.utx", "色", "01語彙", W, [
        ("rojo", "ˈroxo", "ロホ", "赤", ""),
        ("azul", "aˈθul", "アスル", "青", ""),
        ("verde", "ˈbeɾðe", "ベルデ", "緑", ""),
        ("amarillo", "amaˈɾiʎo", "アマリージョ", "黄色", ""),
        ("blanco", "ˈblaŋko", "ブランコ", "白", ""),
        ("negro", "ˈneɣɾo", "ネグロ", "黒", ""),
        ("naranja", "naˈɾaŋxa", "ナランハ", "オレンジ色", ""),
        ("marrón", "maˈron", "マロン", "茶色", ""),
        ("gris", "ɡɾis", "グリス", "灰色", ""),
        ("rosa", "ˈrosa", "ロサ", "ピンク色", ""),
        ("morado", "moˈɾaðo", "モラド", "紫", ""),
    ]),
    ("Portuguese", "bookA", "Saudacoes.utx", "あいさつ", "01会話", W, [
        ("olá", "oˈla", "オラ", "こんにちは、やあ", ""),
        ("bom dia", "bõ ˈdʒiɐ", "ボン ジーア", "おはようございます", "ブラジルの発音"),
        ("obrigado", "obɾiˈɡadu", "オブリガード", "ありがとう", "女性は obrigada"),
        ("por favor", "puʁ faˈvoʁ", "ポル ファヴォール", "お願いします", ""),
        ("desculpe", "dʒisˈkuwpi", "ジスクウピ", "すみません", "ブラジルの発音"),
        ("tchau", "ˈtʃaw", "チャウ", "じゃあね", ""),
    ]),
    ("Portuguese", "bookG", "Ser.utx", "ser", "01文法", B, [
        ("sou", "Eu (   ) japonês.", "", "私は日本人です。", ""),
        ("é", "Ela (   ) minha irmã.", "", "彼女は私の姉です。", ""),
        ("somos", "Nós (   ) estudantes.", "", "私たちは学生です。", ""),
        ("são", "Eles (   ) de Lisboa.", "", "彼らはリスボン出身です。", ""),
    ]),
    ("Portuguese", "bookS", "Cores.utx", "色", "01語彙", W, [
        ("vermelho", "veʁˈmeʎu", "ヴェルメーリョ", "赤", ""),
        ("azul", "aˈzuw", "アズウ", "青", ""),
        ("verde", "ˈveʁdʒi", "ヴェルジ", "緑", ""),
        ("amarelo", "amaˈɾɛlu", "アマレーロ", "黄色", ""),
        ("branco", "ˈbɾɐ̃ku", "ブランコ", "白", ""),
        ("preto", "ˈpɾetu", "プレット", "黒", ""),
        ("laranja", "laˈɾɐ̃ʒɐ", "ラランジャ", "オレンジ色", ""),
        ("marrom", "maˈʁõ", "マホン", "茶色", ""),
        ("cinza", "ˈsĩzɐ", "スィンザ", "灰色", ""),
        ("rosa", "ˈʁɔzɐ", "ホーザ", "ピンク色", ""),
        ("roxo", "ˈʁoʃu", "ホーショ", "紫", ""),
    ]),
    ("German", "bookA", "Begruessung.utx", "あいさつ", "01会話", W, [
        ("hallo", "haˈloː", "ハロー", "こんにちは、やあ", ""),
        ("guten Morgen", "ˌɡuːtn̩ ˈmɔʁɡn̩", "グーテン モルゲン", "おはようございます", ""),
        ("danke", "ˈdaŋkə", "ダンケ", "ありがとう", ""),
        ("bitte", "ˈbɪtə", "ビッテ", "お願いします、どういたしまして", ""),
        ("Entschuldigung", "ɛntˈʃʊldɪɡʊŋ", "エントシュルディグング", "すみません", ""),
        ("tschüss", "tʃʏs", "チュス", "じゃあね", ""),
    ]),
    ("German", "bookG", "Sein.utx", "sein", "01文法", B, [
        ("bin", "Ich (   ) Japaner.", "", "私は日本人です。", ""),
        ("ist", "Sie (   ) meine Schwester.", "", "彼女は私の姉です。", ""),
        ("sind", "Wir (   ) in Berlin.", "", "私たちはベルリンにいます。", ""),
        ("seid", "Ihr (   ) Studenten.", "", "君たちは学生です。", ""),
    ]),
    ("German", "bookS", "Farben.utx", "色", "01語彙", W, [
        ("rot", "ʁoːt", "ロート", "赤", ""),
        ("blau", "blaʊ̯", "ブラウ", "青", ""),
        ("grün", "ɡʁyːn", "グリューン", "緑", ""),
        ("gelb", "ɡɛlp", "ゲルプ", "黄色", ""),
        ("weiß", "vaɪ̯s", "ヴァイス", "白", ""),
        ("schwarz", "ʃvaʁts", "シュヴァルツ", "黒", ""),
        ("orange", "oˈʁɑ̃ːʃ", "オランジュ", "オレンジ色", ""),
        ("braun", "bʁaʊ̯n", "ブラウン", "茶色", ""),
        ("grau", "ɡʁaʊ̯", "グラウ", "灰色", ""),
        ("rosa", "ˈʁoːza", "ローザ", "ピンク色", ""),
        ("lila", "ˈliːla", "リーラ", "紫", ""),
    ]),
]


def quoted(field: str) -> str:
    return '"' + field.replace('"', "#$22") + '"'


def main() -> None:
    shelf = Path(__file__).resolve().parent.parent / "data" / "Shelf"
    for language, kind, name, title, group, type_name, words in BOOKS:
        lines = [title, group, type_name]
        lines += [",".join(quoted(f) for f in (*word, "")) for word in words]
        path = shelf / language / kind / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(b"\xff\xfe" + "".join(line + "\r\n" for line in lines).encode("utf-16-le"))


if __name__ == "__main__":
    main()
