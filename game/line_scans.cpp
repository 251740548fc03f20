#include "game/line_walk.h"

namespace brenvolt {

int 対局状態::調査_右(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<1, 0>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_左(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<-1, 0>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_上(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<0, -1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_下(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<0, 1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_右上(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<1, -1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_右下(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<1, 1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_左上(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<-1, -1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_左下(int IN_手番, int IN_X, int IN_Y) const {
  return 連続数<-1, 1>(盤面, IN_手番, IN_X, IN_Y);
}

int 対局状態::調査_右端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<1, 0>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_左端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<-1, 0>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_上端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<0, -1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_下端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<0, 1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_右上端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<1, -1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_右下端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<1, 1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_左上端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<-1, -1>(盤面, IN_手番, IN_X, IN_Y);
}
int 対局状態::調査_左下端(int IN_手番, int IN_X, int IN_Y) const {
  return 端の駒<-1, 1>(盤面, IN_手番, IN_X, IN_Y);
}

}  // namespace brenvolt
