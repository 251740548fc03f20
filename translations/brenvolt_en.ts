<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>menu</name>
    <!-- Captions of the menu bar and its items. -->
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Play Black (you move first)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Play White (the computer moves first)</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Show where a piece can go</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>元の大きさ</source>
        <translation>Classic size</translation>
    </message>
    <message>
        <source>全画面</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>日本語 (Japanese)</translation>
    </message>
    <message>
        <source>設定を元に戻す</source>
        <translation>Restore classic settings</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>棋譜を保存</source>
        <translation>Save Game...</translation>
    </message>
    <message>
        <source>棋譜を開く</source>
        <translation>Open Game...</translation>
    </message>
    <message>
        <source>局面をコピー</source>
        <translation>Copy Position</translation>
    </message>
    <message>
        <source>棋譜をコピー</source>
        <translation>Copy Game</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>強さ</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ほどほど</source>
        <translation>Modest</translation>
    </message>
    <message>
        <source>まずまず</source>
        <translation>Decent</translation>
    </message>
    <message>
        <source>なかなか</source>
        <translation>Good</translation>
    </message>
    <message>
        <source>強い</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>手強い</source>
        <translation>Tough</translation>
    </message>
    <message>
        <source>とても強い</source>
        <translation>Very strong</translation>
    </message>
    <message>
        <source>すごく強い</source>
        <translation>Formidable</translation>
    </message>
    <message>
        <source>達人</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>最強</source>
        <translation>Strongest</translation>
    </message>
    <message>
        <source>前回の対局を再開</source>
        <translation>Resume last game</translation>
    </message>
    <message>
        <source>待った</source>
        <translation>Take back my move</translation>
    </message>
    <message>
        <source>成りを確認</source>
        <translation>Ask before promoting</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>振り返り</source>
        <translation>Review game</translation>
    </message>
</context>
<context>
    <name>box</name>
    <!-- Message boxes: their texts and titles. -->
    <message>
        <source>先手の番です</source>
        <translation>Black to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the “Game” menu</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局相手の途中変更は不可</source>
        <translation>The opponent cannot be changed during a game</translation>
    </message>
    <message>
        <source>  局面 → 最初にして下さい</source>
        <translation>  Choose Position → Back to the start first</translation>
    </message>
    <message>
        <source>3 * 3 です！打てません</source>
        <translation>3 * 3: a double three! You cannot play there</translation>
    </message>
    <message>
        <source>4 * 4 です！打てません</source>
        <translation>4 * 4: a double four! You cannot play there</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>This piece must promote: click with the right mouse button</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>駒をクリックて下さい</source>
        <translation>Click a piece</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Black wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>White wins</translation>
    </message>
    <message>
        <source>ＣＯＭの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>引き分けです</source>
        <translation>The game is drawn</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound device cannot be opened.</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」を読み込めません。(%2)</source>
        <translation>Cannot read the sound file “%1” (%2).</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」は使えるWAVEファイルではありません。</source>
        <translation>The sound file “%1” is not a usable WAVE file.</translation>
    </message>
    <message>
        <source>空のファイルです</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>メモリーが足りません</source>
        <translation>not enough memory</translation>
    </message>
    <!-- Game records. A refusal reads "file: line, move: reason", each part an entry of its own. -->
    <message>
        <source>保存できません: %1</source>
        <translation>Cannot save %1</translation>
    </message>
    <message>
        <source>%1 の値が読めません: %2</source>
        <translation>%1 has a value that cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>棋譜を保存</source>
        <translation>Save Game</translation>
    </message>
    <message>
        <source>棋譜を開く</source>
        <translation>Open Game</translation>
    </message>
    <message>
        <source>棋譜をコピー</source>
        <translation>Copy Game</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>棋譜 (*.brenvolt);;すべてのファイル (*)</source>
        <translation>Game records (*.brenvolt);;All files (*)</translation>
    </message>
    <message>
        <source>保存する対局がありません</source>
        <translation>There is no game to save</translation>
    </message>
    <message>
        <source>貼り付ける局面がありません</source>
        <translation>The clipboard holds no position or game</translation>
    </message>
    <message>
        <source>対局中です。今の対局をやめて開きますか？</source>
        <translation>A game is in progress. Give it up and open this one?</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>許可がありません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>空きがありません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>書き込めない場所です</source>
        <translation>the place cannot be written to</translation>
    </message>
    <message>
        <source>普通のファイルではありません</source>
        <translation>not an ordinary file</translation>
    </message>
    <message>
        <source>途中にフォルダでないものがあります</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>名前が長すぎます</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>リンクが多すぎます</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>読み書きに失敗しました</source>
        <translation>a read or write error</translation>
    </message>
    <message>
        <source>システムのエラーです (%1)</source>
        <translation>a system error (%1)</translation>
    </message>
    <message>
        <source>日本語の文字を持つフォントがありません。文字は四角で表示されます (fonts-ipafont-mincho を入れて下さい)</source>
        <translation>No installed font has Japanese characters, so the texts show as boxes (install fonts-ipafont-mincho)</translation>
    </message>
    <message>
        <source>大きすぎます (%1 KiB まで)</source>
        <translation>too large (at most %1 KiB)</translation>
    </message>
    <message>
        <source>%1行目 %2手目 %3</source>
        <translation>line %1, move %2 %3</translation>
    </message>
    <message>
        <source>%1行目</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>%1手目 %2</source>
        <translation>move %1 %2</translation>
    </message>
    <message>
        <source>持駒にありません</source>
        <translation>the piece is not in hand</translation>
    </message>
    <message>
        <source>動かせる駒がありません</source>
        <translation>no piece there to move</translation>
    </message>
    <message>
        <source>駒のある桝です</source>
        <translation>the square is taken</translation>
    </message>
    <message>
        <source>二歩</source>
        <translation>a second pawn in the column</translation>
    </message>
    <message>
        <source>そこへは打てません</source>
        <translation>the piece cannot be dropped there</translation>
    </message>
    <message>
        <source>そこへは動けません</source>
        <translation>the piece cannot move there</translation>
    </message>
    <message>
        <source>勝負はついています</source>
        <translation>the game is already over</translation>
    </message>
    <message>
        <source>成れません</source>
        <translation>the piece cannot promote</translation>
    </message>
    <message>
        <source>成らないと動けません</source>
        <translation>the piece must promote there</translation>
    </message>
    <message>
        <source>%1手を超える棋譜は開けません</source>
        <translation>a game of more than %1 moves cannot be opened</translation>
    </message>
    <message>
        <source>読めない手です</source>
        <translation>the move cannot be read</translation>
    </message>
    <message>
        <source>指せる手があるのでパスはできません</source>
        <translation>a side with a move to play cannot pass</translation>
    </message>
    <message>
        <source>cursor は 0 から %1 までです</source>
        <translation>cursor must be from 0 to %1</translation>
    </message>
    <message>
        <source>局面が読めません (%1)</source>
        <translation>the position cannot be read (%1)</translation>
    </message>
    <message>
        <source>局面の手数は %1 までです</source>
        <translation>the position's move number can be at most %1</translation>
    </message>
    <message>
        <source>%1 が二度あります</source>
        <translation>%1 appears twice</translation>
    </message>
    <message>
        <source>position startpos か position sfen &lt;局面&gt; で始まる行ではありません</source>
        <translation>the line does not begin with position startpos or position sfen &lt;position&gt;</translation>
    </message>
    <message>
        <source>moves のはずが %1 です</source>
        <translation>expected moves, found %1</translation>
    </message>
    <message>
        <source>UTF-8 ではありません</source>
        <translation>the text is not UTF-8</translation>
    </message>
    <message>
        <source>局面の行は一つだけです</source>
        <translation>only one position line is allowed</translation>
    </message>
    <message>
        <source>局面の行がありません</source>
        <translation>there is no position line</translation>
    </message>
    <message>
        <source>前回の対局を再開</source>
        <translation>Resume last game</translation>
    </message>
    <message>
        <source>成りますか？</source>
        <translation>Promote this piece?</translation>
    </message>
    <message>
        <source>成る</source>
        <translation>Promote</translation>
    </message>
    <message>
        <source>成らない</source>
        <translation>Do not promote</translation>
    </message>
</context>
<context>
    <name>board</name>
    <!-- Texts drawn on the board: the thinking notice, the move count, the row numerals and each move: column, row, piece, in the letters of English shogi notation (the rows a to i, the pieces P L N S G B R K, + for promoted). Keep them about as short as the Japanese: they must fit their places. -->
    <message>
        <source>思考中</source>
        <translation>Thinking...</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>一</source>
        <translation>a</translation>
    </message>
    <message>
        <source>二</source>
        <translation>b</translation>
    </message>
    <message>
        <source>三</source>
        <translation>c</translation>
    </message>
    <message>
        <source>四</source>
        <translation>d</translation>
    </message>
    <message>
        <source>五</source>
        <translation>e</translation>
    </message>
    <message>
        <source>六</source>
        <translation>f</translation>
    </message>
    <message>
        <source>七</source>
        <translation>g</translation>
    </message>
    <message>
        <source>八</source>
        <translation>h</translation>
    </message>
    <message>
        <source>九</source>
        <translation>i</translation>
    </message>
    <message>
        <source>１</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <source>９</source>
        <translation>9</translation>
    </message>
    <message>
        <source>歩</source>
        <translation>P</translation>
    </message>
    <message>
        <source>と</source>
        <translation>+P</translation>
    </message>
    <message>
        <source>香</source>
        <translation>L</translation>
    </message>
    <message>
        <source>香成</source>
        <translation>+L</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>N</translation>
    </message>
    <message>
        <source>桂成</source>
        <translation>+N</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>S</translation>
    </message>
    <message>
        <source>銀成</source>
        <translation>+S</translation>
    </message>
    <message>
        <source>金</source>
        <translation>G</translation>
    </message>
    <message>
        <source>角</source>
        <translation>B</translation>
    </message>
    <message>
        <source>角成</source>
        <translation>+B</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>R</translation>
    </message>
    <message>
        <source>飛成</source>
        <translation>+R</translation>
    </message>
    <message>
        <source>王</source>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>panel</name>
    <!-- The panel beside the board: the first row of its move list, and each move: its number, the mover's mark (▲ 先手, △ 後手), then column, row and piece as the board writes them; in English the piece comes first, as in English shogi notation. -->
    <message>
        <source>開始局面</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>%1 ▲%2%3%4</source>
        <translation>%1 ▲%4-%2%3</translation>
    </message>
    <message>
        <source>%1 △%2%3%4</source>
        <translation>%1 △%4-%2%3</translation>
    </message>
    <!-- The analysis below the move list: the evaluation from Black's side, a forced five as the moves it takes, the depth searched. -->
    <message>
        <source>検討中</source>
        <translation>Analysing…</translation>
    </message>
    <message>
        <source>%1手で勝ち</source>
        <translation>wins in %1</translation>
    </message>
    <message>
        <source>後手が%1手で勝ち</source>
        <translation>White wins in %1</translation>
    </message>
    <message>
        <source>評価値 %1</source>
        <translation>Evaluation %1</translation>
    </message>
    <message>
        <source>深さ %1</source>
        <translation>Depth %1</translation>
    </message>
    <!-- The review in the panel: the button that stops it while it runs, and for a move it marked (? or ??), the move that was best instead. -->
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>最善手 %1</source>
        <translation>Best was %1</translation>
    </message>
</context>
</TS>
